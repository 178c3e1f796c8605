// Only the include rule's own test reads this file: it must be refused.
#include "../../core/monocl_state.h"
