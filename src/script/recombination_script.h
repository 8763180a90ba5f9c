#pragma once
// Recomb.cmd: the batch script that joins the fragments back with "copy /b".

void writeRecombinationScript();
