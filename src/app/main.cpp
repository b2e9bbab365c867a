#include "app/StavorApplication.h"

int main(int argc, char* argv[]) { return runStavor(argc, argv); }
