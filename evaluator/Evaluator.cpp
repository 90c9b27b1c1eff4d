// Placeholder until the evaluator lands.
#include "Evaluator.h"
