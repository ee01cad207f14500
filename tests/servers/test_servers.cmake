# ctest fixtures for the loopback test servers (see test_server.py).
set(QUORVIN_TEST_SERVER ${CMAKE_CURRENT_LIST_DIR}/test_server.py)
set(QUORVIN_TEST_CERTS ${CMAKE_BINARY_DIR}/test-certs)

# Fixture "test_certs": the certificates under ${QUORVIN_TEST_CERTS}.
# Fixture "trusted_test_ca": the test CA trusted inside the Wine prefix, by
# the Windows helper TRUST_EXE (a target). Call once per build tree.
function(quorvin_test_ca_fixtures trust_exe)
  add_test(NAME test_certs_make
    COMMAND python3 ${QUORVIN_TEST_SERVER} certs ${QUORVIN_TEST_CERTS})
  set_tests_properties(test_certs_make PROPERTIES FIXTURES_SETUP test_certs)
  add_test(NAME test_ca_trust
    COMMAND ${trust_exe} ${QUORVIN_TEST_CERTS}/ca.der)
  set_tests_properties(test_ca_trust PROPERTIES
    FIXTURES_SETUP trusted_test_ca FIXTURES_REQUIRED test_certs)
endfunction()

# Fixture NAME: a server answering as ROUTES (a JSON file) on HTTP port
# HTTP, HTTPS port HTTPS (certificate from the trusted test CA) and HTTPS
# port UNTRUSTED (certificate from a CA nobody trusts). Requests are logged
# to ${CMAKE_CURRENT_BINARY_DIR}/NAME.log. The fixture includes the trusted
# CA, so HTTPS tests need name only this one.
function(quorvin_test_server name)
  cmake_parse_arguments(ARG "" "HTTP;HTTPS;UNTRUSTED;ROUTES" "" ${ARGN})
  set(certs ${QUORVIN_TEST_CERTS})
  set(state ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_test(NAME ${name}_start
    COMMAND python3 ${QUORVIN_TEST_SERVER} start --pidfile ${state}.pid
      --log ${state}.log --routes ${ARG_ROUTES}
      --http ${ARG_HTTP}
      --https ${ARG_HTTPS}:${certs}/server.pem:${certs}/server.key
      --https ${ARG_UNTRUSTED}:${certs}/untrusted/server.pem:${certs}/untrusted/server.key)
  set_tests_properties(${name}_start PROPERTIES
    FIXTURES_SETUP ${name} FIXTURES_REQUIRED "test_certs;trusted_test_ca")
  add_test(NAME ${name}_stop
    COMMAND python3 ${QUORVIN_TEST_SERVER} stop --pidfile ${state}.pid)
  set_tests_properties(${name}_stop PROPERTIES FIXTURES_CLEANUP ${name})
endfunction()
