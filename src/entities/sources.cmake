# Sources of the entities subsystem.
