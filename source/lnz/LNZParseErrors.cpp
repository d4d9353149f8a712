#include "lnz/LNZParseErrors.h"

namespace ballforge {

EPEWrongNum::EPEWrongNum(int found, int required)
    : EParseError("Wrong number of parameters: " + std::to_string(found) + " found, " +
                  std::to_string(required) + " required.") {}

} // namespace ballforge
