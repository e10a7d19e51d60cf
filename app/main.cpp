#include "app/start.h"

int main(int argc, char** argv) { return app::start(argc, argv); }
