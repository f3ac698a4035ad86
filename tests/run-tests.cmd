@echo off
rem Runs Ombrix's tests on this PC. The report and the pictures go beside this file.
cd /d "%~dp0"
echo Running Ombrix's tests: a few minutes. The game's window flashes up now and then.
echo When they are done, send report.txt and the pictures folder from %~dp0
echo.
ombrix-test-kit.exe
set result=%errorlevel%
pause >nul
exit /b %result%
