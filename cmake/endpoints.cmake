# The addresses the program talks to are fixed when it is built; nothing is
# read at run time. A publisher sets these when configuring the build.
set(QUORVIN_NOTICE_URL "https://www.quorvin.com/visit" CACHE STRING
    "Start-up notice document (HTTPS)")
set(QUORVIN_VERSION_URL "http://www.quorvin.com/updata.html" CACHE STRING
    "Latest published version text (plain HTTP)")
set(QUORVIN_HOME_URL "http://www.quorvin.com" CACHE STRING
    "Product home page, opened in the browser (plain HTTP, no path)")
set(QUORVIN_ONLINE_TEST_URL "http://www.baidu.com/" CACHE STRING
    "Home page of a large public site, fetched to test the connection")

# Adds the endpoint definitions to TARGET; the other arguments override the
# cache values as NAME=VALUE pairs (the tests build with loopback addresses).
function(quorvin_endpoints target)
  set(notice "${QUORVIN_NOTICE_URL}")
  set(version "${QUORVIN_VERSION_URL}")
  set(home "${QUORVIN_HOME_URL}")
  set(online "${QUORVIN_ONLINE_TEST_URL}")
  foreach(pair IN LISTS ARGN)
    string(REGEX MATCH "^([A-Z]+)=(.*)$" _ "${pair}")
    set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()
  if(DEFINED NOTICE)
    set(notice "${NOTICE}")
  endif()
  if(DEFINED VERSION)
    set(version "${VERSION}")
  endif()
  if(DEFINED HOME)
    set(home "${HOME}")
  endif()
  if(DEFINED ONLINE)
    set(online "${ONLINE}")
  endif()
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/online/endpoints.cpp)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/src/online/endpoints.cpp
    TARGET_DIRECTORY ${target}
    PROPERTIES COMPILE_DEFINITIONS
      "QUORVIN_NOTICE_URL=\"${notice}\";QUORVIN_VERSION_URL=\"${version}\";QUORVIN_HOME_URL=\"${home}\";QUORVIN_ONLINE_TEST_URL=\"${online}\"")
endfunction()
