@echo off
if not exist fragmen1 goto nocopy
if not exist fragmen2 goto nocopy
if not exist fragmen3 goto nocopy
copy /b fragmen1+fragmen2+fragmen3 /v zzztempb
if errorlevel 1 goto nocopy
for %%F in (zzztempb) do if not "%%~zF"=="2500" goto nocopy
if not exist "sub/old.bin" goto do_ren
echo "sub/old.bin" already exists.
echo Recombined file is zzztempb
goto ok
:do_ren
rename zzztempb "sub/old.bin"
if errorlevel 1 goto nocopy
del zzztempa
if exist "sub/old.bin" goto ok
echo "sub/old.bin" not created.
goto end
:nocopy
echo Recombination of files failed.
goto end
:ok
Echo Recombination succeeded.
del fragmen1
del fragmen2
del fragmen3
del recomb.cmd
:end

