#include "session/FileErrorMessage.h"

#include "i18n/Language.h"

#include <string>

std::string FileErrorMessage(const FileError& error) {
    return GetINIFile("Message", "8") + " # " + std::to_string(error.number) + " " +
           GetINIFile("Message", "9") + " " + GetINIFile("Label", "0") + "\r" + error.description;
}
