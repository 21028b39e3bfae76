#include "norvane/NorvaneFiles.h"
