#include "game/brimvale_main.h"

int main(int argc, char** argv) { return BrimvaleMain(argc, argv); }
