// Built only by the layer rule's test: a file of the number-text layer that
// reaches up into the computation must not compile.
#include "core/monocl_state.h"
