# The hash-set benchmark compares with two open-addressing peers.
# Debian packages: libabsl-dev, libboost1.81-dev (and libbenchmark-dev).
find_package(absl REQUIRED)
find_package(Boost 1.81 REQUIRED)
target_link_libraries(${name} PRIVATE absl::flat_hash_set Boost::headers)
