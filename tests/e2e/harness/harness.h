// Everything an end-to-end test needs to drive TaVEL32.EXE under Windows (or Wine) from outside.
#pragma once

#include <gtest/gtest.h>

#include "boxes.h"
#include "controls.h"
#include "cp932.h"
#include "environment.h"
#include "files.h"
#include "keys.h"
#include "registry_key.h"
#include "remote_buffer.h"
#include "sandbox.h"
#include "screenshot.h"
#include "test_process.h"
#include "top_windows.h"
#include "wait.h"
