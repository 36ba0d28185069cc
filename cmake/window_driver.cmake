# The test driver of the headless calculator window, for the fuzz and bench
# builds that leave the tests out. Defines the target window_driver when the
# driver exists and the tests have not defined it already.
set(RA_WINDOW_DRIVER_SOURCE ${PROJECT_SOURCE_DIR}/tests/driver/window_driver.cpp)
if(EXISTS ${RA_WINDOW_DRIVER_SOURCE} AND NOT TARGET window_driver)
  add_library(window_driver STATIC ${RA_WINDOW_DRIVER_SOURCE})
  target_include_directories(window_driver PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(window_driver PUBLIC app_core)
endif()
