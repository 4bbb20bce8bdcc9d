#pragma once

#include "PosixFileSystem.h"

// The real file system, for the tests that read and write real files in a temporary folder.
inline PosixFileSystem fileSystem;
