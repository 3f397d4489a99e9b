#include "shell/tabrix_app.h"

int main(int argc, char** argv) {
    tabrix::CTabrixApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
