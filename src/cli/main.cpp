#include <cstdio>
int main() { std::puts("velkorantis-cli"); return 0; }
