#include "ui/commands.h"
