#include "app/OpenedWing.h"

#include "session/FileErrorMessage.h"
#include "i18n/Language.h"
#include "files/WingFile.h"

OpenedWing OpenWing(const std::string& path, std::string_view decimalSeparator) {
    OpenedWing wing;
    wing.path = path;
    wing.fields = ClearedFields();
    wing.fileError = LoadWingFile(path, wing.fields);
    if (wing.fileError) {
        wing.fields = ClearedFields(); // the error path clears the form
        return wing;
    }
    wing.report = CalculateWing(wing.fields, decimalSeparator, wing.planform, wing.results);
    return wing;
}

std::string OutcomeMessage(const OpenedWing& wing) {
    if (wing.fileError)
        return FileErrorMessage(*wing.fileError);
    const std::string_view key = ValidationMessageKey(wing.report);
    return key.empty() ? std::string{} : GetINIFile("Message", key);
}
