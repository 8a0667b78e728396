-- The demo database on a SQL Server, run against master. The item card
-- expects the host's default collation: case-insensitive, and text compared
-- ignoring trailing blanks (every SQL Server collation does that).
IF DB_ID('VELDRANO_DEMO') IS NULL
    CREATE DATABASE VELDRANO_DEMO COLLATE Latin1_General_CI_AS
GO
