#pragma once

// The exit statuses both programs end with, as their help texts and manual
// pages give them.

namespace tw::app {

enum ExitStatus {
    kOk = 0,
    kFailed = 1, // a file cannot be loaded or written
    kUsage = 2,  // wrong arguments (lint: the file cannot be loaded either)
    kNoMame = 3, // run: MAME cannot be started
};

} // namespace tw::app
