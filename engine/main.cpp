#include <cstdio>

int main() {
    std::fputs("curvifit: en construccion\n", stderr);
    return 1;
}
