# The hashed-array benchmark compares with absl::flat_hash_map.
# Debian packages: libabsl-dev (and libbenchmark-dev).
find_package(absl REQUIRED)
target_link_libraries(${name} PRIVATE absl::flat_hash_map)
