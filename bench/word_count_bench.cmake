# The word count reads a real text shipped with the tests, and compares with
# absl::flat_hash_map (Debian libabsl-dev) besides std::unordered_map.
find_package(absl REQUIRED)
target_link_libraries(${name} PRIVATE absl::flat_hash_map)
target_compile_definitions(${name} PRIVATE COLIB_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
