# Sources of the graphics subsystem.
