// ordinax: the desktop application.
#include "shell/application.h"

int main(int argc, char** argv) {
    return ordinax::shell::runApplication(argc, argv);
}
