// A portable file that calls the platform: the layer check must name it.
#pragma once

#include <Windows.h>
