// A portable file that reaches into the shell: the layer check must name it.
#pragma once

#include "windows/main_window.h"
