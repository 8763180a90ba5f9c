@echo off
setlocal
set fs_frag=fragmen1
if not exist fragmen1 goto missing
for %%F in (fragmen1) do if not "%%~zF"=="1024" goto wronglength
set fs_frag=fragmen2
if not exist fragmen2 goto missing
for %%F in (fragmen2) do if not "%%~zF"=="1024" goto wronglength
set fs_frag=fragmen3
if not exist fragmen3 goto missing
for %%F in (fragmen3) do if not "%%~zF"=="1024" goto wronglength
set fs_frag=fragmen4
if not exist fragmen4 goto missing
for %%F in (fragmen4) do if not "%%~zF"=="1024" goto wronglength
set fs_frag=fragmen5
if not exist fragmen5 goto missing
for %%F in (fragmen5) do if not "%%~zF"=="904" goto wronglength
copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fragmen5 /v zzztempb
if errorlevel 1 goto nocopy
for %%F in (zzztempb) do if not "%%~zF"=="5000" goto nocopy
set fs_sha256=
for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile zzztempb SHA256 2^>nul') do if not defined fs_sha256 set "fs_sha256=%%H"
if defined fs_sha256 set "fs_sha256=%fs_sha256: =%"
if defined fs_sha256 if not "%fs_sha256:~64%"=="" set fs_sha256=
if defined fs_sha256 if "%fs_sha256:~63%"=="" set fs_sha256=
if defined fs_sha256 if /i not "%fs_sha256%"=="34398b85297bf7d9dfb59b8d511d8bbb44ab23e891570e4395e7871475fc8afb" goto mismatch
if not exist "sub/big.bin" goto do_ren
echo "sub/big.bin" already exists.
echo Recombined file is zzztempb
goto ok
:do_ren
rename zzztempb "sub/big.bin"
if errorlevel 1 goto nocopy
del zzztempa
if exist "sub/big.bin" goto ok
echo "sub/big.bin" not created.
goto end
:missing
echo %fs_frag% is missing.
goto nocopy
:wronglength
echo %fs_frag% has the wrong length.
goto nocopy
:mismatch
echo The recombined file does not match the original.
goto nocopy
:nocopy
echo Recombination of files failed.
goto end
:ok
Echo Recombination succeeded.
del fragmen1
del fragmen2
del fragmen3
del fragmen4
del fragmen5
del recomb.cmd
:end

