# Sources of the records subsystem.
