# The test driver of the headless calculator window, shared by the tests, the
# fuzz targets and the benchmarks; defined once whichever includes it first.
if(NOT TARGET window_driver)
  add_library(window_driver STATIC ${PROJECT_SOURCE_DIR}/tests/driver/window_driver.cpp)
  target_include_directories(window_driver PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(window_driver PUBLIC app_core)
endif()
