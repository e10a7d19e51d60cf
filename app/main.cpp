#include <cstdio>

int main() {
    std::puts("Paperwright: the window comes with a later version; the engine is built.");
    return 0;
}
