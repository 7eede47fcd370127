// Stand-in for ui/nebenbei.cpp in a bench build of the program: each job runs at once on the thread that gives it.
#include "ui/nebenbei.h"

Nebenbei::~Nebenbei() = default;

void Nebenbei::einreihen(std::function<void()> job) { job(); }

void Nebenbei::abarbeiten() {}
