#include "platform/fake/fake_clock.h"
