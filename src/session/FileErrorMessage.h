// The message a wing-file failure shows: the language's own words around the platform's error
// number and description, so a modeller can tell a missing file from a full disk.
#pragma once

#include "base/TextFile.h"

#include <string>

// "Message"/"8" " # " number " " "Message"/"9" " " "Label"/"0", a carriage return, description.
std::string FileErrorMessage(const FileError& error);
