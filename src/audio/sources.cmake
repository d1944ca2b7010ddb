# Sources of the audio subsystem.
