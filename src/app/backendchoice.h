#pragma once
// Which driver backend the program talks to. The device layer knows only the interface;
// the choice lives up here because it needs the simulated logger and the real driver.

// Installs the program's choice, made on the first use of the driver: the simulated logger
// when the environment variable WYX_SIMULATED_LOGGER names a state file, else libftdi when
// built in, else no driver. Start-up calls it once, before the first device command.
void installDriverBackend();
