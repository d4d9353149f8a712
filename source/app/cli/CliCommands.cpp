// The table of commands. Each command lives in the Cli*.cpp file of its subject.
#include "app/cli/CliCommand.h"

namespace ballforge {

extern const CliCommand cmdLs, cmdExtract, cmdReplace, cmdDelete, cmdRewrite;
extern const CliCommand cmdCheck, cmdReformat, cmdTokens;
extern const CliCommand cmdSprites, cmdBreed, cmdStrings;
extern const CliCommand cmdPet;

const std::vector<const CliCommand*>& CliCommandTable() {
    static const std::vector<const CliCommand*> table = {
        &cmdLs, &cmdExtract, &cmdReplace, &cmdDelete, &cmdRewrite,
        &cmdCheck, &cmdReformat, &cmdTokens,
        &cmdSprites, &cmdBreed, &cmdStrings,
        &cmdPet,
    };
    return table;
}

} // namespace ballforge
