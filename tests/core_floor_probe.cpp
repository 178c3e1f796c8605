// Built only by the folder rule's test: a file of the command line's folder,
// which builds on Qt Core alone, that reaches into the painted report must
// not compile.
#include "ui/report/report.h"
