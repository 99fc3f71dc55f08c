// Keys, resources, tables and the settings loader against their model, on fuzz bytes.
#include "resources/resources_driver.h"

COLIB_FUZZ_TARGET(run_resources)
