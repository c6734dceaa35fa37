#pragma once

// A core header reaching up into lotto, named with angle brackets.
#include <lotto/top.h>
