# Sources of the engine subsystem.
