#include <cstdio>

int main() {
    std::puts("Vantrel: the window is not built yet.");
    return 0;
}
