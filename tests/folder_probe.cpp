// Built only by the folder rule's test: a file of the outputs' folder that
// reaches into the form, which the outputs must not depend on, must not
// compile.
#include "ui/window/monoclForm.h"
