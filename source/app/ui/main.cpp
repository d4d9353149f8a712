#include "app/ui/Startup.h"

int main(int argc, char** argv) {
    return ballforge::RunBallforge(argc, argv);
}
