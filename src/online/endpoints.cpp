#include "online/endpoints.h"

const char* const kNoticeUrl = QUORVIN_NOTICE_URL;
const char* const kVersionUrl = QUORVIN_VERSION_URL;
const char* const kHomeUrl = QUORVIN_HOME_URL;
const char* const kOnlineTestUrl = QUORVIN_ONLINE_TEST_URL;
