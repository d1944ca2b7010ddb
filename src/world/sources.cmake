# Sources of the world subsystem.
