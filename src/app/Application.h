#pragma once

// Starts the viewer, or prints a headless report when the command line asks for one.
int velomirMain(int argc, char *argv[]);
