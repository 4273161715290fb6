#include <iostream>

int main() {
  std::cerr << "uso: ombrel-cli cargar (--proyecto FICHERO | --matrices A K P [E])\n";
  return 1;
}
