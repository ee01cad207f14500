// Trusts a test CA inside the current Wine prefix (or Windows user): adds
// the DER certificate named on the command line to the ROOT store, so that
// HTTPS to the loopback test servers works there and nowhere else.
#include <windows.h>
// after windows.h, which it needs
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: trust_test_ca CA.der\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::string der((std::istreambuf_iterator<char>(file)),
                        std::istreambuf_iterator<char>());
  if (der.empty()) {
    std::fprintf(stderr, "cannot read the certificate\n");
    return 1;
  }
  HCERTSTORE root = CertOpenSystemStoreW(0, L"ROOT");
  if (!root) {
    std::fprintf(stderr, "cannot open the ROOT store: %lu\n", GetLastError());
    return 1;
  }
  const BOOL added = CertAddEncodedCertificateToStore(
      root, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
      static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  if (!added)
    std::fprintf(stderr, "cannot add the certificate: %lu\n", GetLastError());
  CertCloseStore(root, 0);
  return added ? 0 : 1;
}
