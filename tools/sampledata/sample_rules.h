#pragma once
// The sample world's own versions of the built-in races and skills: the same names and values, with
// the texts character creation shows. Each race names its ability (the abilities' table names them
// after the races), and each skill says what it is good for.
struct SSamplePackage;

// The races' and skills' tables.
void AddSampleRules(SSamplePackage& world);
