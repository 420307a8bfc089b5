#pragma once

// The deck belongs to the rules; the client's files name it here too.
#include "rules/cards.h"
