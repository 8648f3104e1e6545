#include "draw/SheetInputs.h"

std::string SheetText(const SheetInputs& inputs, TextKey key) {
    return inputs.lookup ? inputs.lookup(key) : std::string{};
}
