#pragma once
// Every storage test runs on a data root of its own, made empty for it and removed after it.
#include "common/DataRootTest.h"

using StorageTest = DataRootTest;
