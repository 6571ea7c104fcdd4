#pragma once
// The program's start-up and shut-down; main() only calls this.
int wyxMain(int argc, char** argv);
