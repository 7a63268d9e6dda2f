// The module's one host framework instance; every host call starts from it.
#pragma once

#include "platform/host_framework.h"

extern SAMPFUNCS* SF;
