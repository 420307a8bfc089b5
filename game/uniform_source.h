#pragma once

// The source of chances belongs to the rules; the client's files name it here too.
#include "rules/uniform_source.h"
