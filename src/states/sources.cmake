# Sources of the states subsystem.
