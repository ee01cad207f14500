# Read by ctest after the scenarios were discovered: each run's locale.
foreach(test IN LISTS e2e_zh_CN_tests)
  set_tests_properties(${test} PROPERTIES ENVIRONMENT
    "LANG=zh_CN.UTF-8;LC_ALL=zh_CN.UTF-8;QUORVIN_E2E_ACP=936")
endforeach()
foreach(test IN LISTS e2e_C_tests)
  set_tests_properties(${test} PROPERTIES ENVIRONMENT
    "LANG=C.UTF-8;LC_ALL=C.UTF-8;QUORVIN_E2E_ACP=1252")
endforeach()
