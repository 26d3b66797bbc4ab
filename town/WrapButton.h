// The wrapping push button lives in core/ now, for the windows of every folder.
#pragma once

#include "core/WrapButton.h"
